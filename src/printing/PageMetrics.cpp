// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "PageMetrics.h"

#include "Numbers.h"

#include <algorithm>
#include <cmath>

namespace kovaq {

int Nearest(double x) {
    return static_cast<int>(std::trunc(x + 0.5));
}

double MarginInches(int choice) {
    static constexpr double kInches[] = {0.0, 0.125, 0.25, 0.5, 0.75};
    return kInches[std::clamp(choice, 0, 4)];
}

int ReportPointSize(int choice) {
    static constexpr int kSizes[] = {8, 10, 12, 14};
    return kSizes[std::clamp(choice, 0, 3)];
}

double ImageScaleFor(int choice) {
    static constexpr double kScales[] = {0.25, 0.5, 0.75, 1.0, 0.0};
    return kScales[std::clamp(choice, 0, 4)];
}

std::string PageMetrics::PaperSizeText() const {
    return FormatNumber(inW) + "\" x " + FormatNumber(inH) + "\" (" + std::to_string(mmW) +
           "mm x " + std::to_string(mmH) + "mm)";
}

PageMetrics ComputePageMetrics(int dpiX, int dpiY, int physW, int physH, int offX, int offY,
                               int pageW, int pageH, int ppi, int dialogWidth, double paperInW,
                               double paperInH) {
    PageMetrics m;
    m.dpiX = std::max(1, dpiX);
    m.dpiY = std::max(1, dpiY);
    m.physW = physW;
    m.physH = physH;
    m.offX = offX;
    m.offY = offY;
    m.pageW = pageW;
    m.pageH = pageH;
    m.ppi = std::max(1, ppi);
    const double exactW = paperInW > 0 ? paperInW : static_cast<double>(physW) / m.dpiX;
    const double exactH = paperInH > 0 ? paperInH : static_cast<double>(physH) / m.dpiY;
    m.inW = std::trunc(exactW * 100 + 0.5) * 0.01;
    m.inH = std::trunc(exactH * 100 + 0.5) * 0.01;
    m.mmW = static_cast<int>(std::trunc(m.inW * 25.4 + 0.5));
    m.mmH = static_cast<int>(std::trunc(m.inH * 25.4 + 0.5));
    m.pagePxW = Nearest(m.ppi * m.inW);
    m.pagePxH = Nearest(m.ppi * m.inH);
    m.minLeftScr = Nearest(static_cast<double>(m.ppi) / m.dpiX * offX);
    m.minTopScr = Nearest(static_cast<double>(m.ppi) / m.dpiY * offY);
    m.printWScr = Nearest(static_cast<double>(m.ppi) / m.dpiX * pageW);
    m.printHScr = Nearest(static_cast<double>(m.ppi) / m.dpiY * pageH);
    m.previewScale =
        std::max(m.ppi * m.inW / std::max(1, dialogWidth - 50), m.ppi * m.inH * 0.003125);
    if (!(m.previewScale > 0))
        m.previewScale = 3.5;
    return m;
}

MarginMetrics ComputeMargins(const PageMetrics& m, int leftChoice, int topChoice) {
    const double left = MarginInches(leftChoice);
    const double top = MarginInches(topChoice);
    MarginMetrics r;
    r.leftPr = std::max(0, Nearest(m.dpiX * left) - m.offX);
    r.topPr = std::max(0, Nearest(m.dpiY * top) - m.offY);
    r.leftScr = std::max(Nearest(left * m.ppi), m.minLeftScr);
    r.topScr = std::max(Nearest(top * m.ppi), m.minTopScr);
    r.availW = m.printWScr - Nearest(static_cast<double>(r.leftPr) * m.ppi / m.dpiX);
    r.availH = m.printHScr - Nearest(static_cast<double>(r.topPr) * m.ppi / m.dpiY);
    return r;
}

bool ContentFits(const MarginMetrics& margins, const InkExtent& ink) {
    return !(margins.availW < ink.maxX || margins.availH < ink.maxY);
}

} // namespace kovaq
