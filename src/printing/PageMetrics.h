// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <string>

namespace kovaq {

// truncate(x + 0.5), the rounding every page measure uses.
int Nearest(double x);

// The choices of the print options, kept while the program runs.
struct PrintOptions {
    int LeftMargin = 2; // 0 "Printer Minimum" .. 4 "Ex Wide (0.75\")"
    int TopMargin = 2;
    int TextSize = 2;  // 0 "v. Small (8pt)" .. 3 "Large (14pt)"
    int ImageSize = 3; // 0 "25%" .. 3 "100%", 4 "FitToPage"
    bool operator==(const PrintOptions&) const = default;
};

double MarginInches(int choice);
int ReportPointSize(int textSizeChoice);
double ImageScaleFor(int imageSizeChoice); // 0 means fit to the page

// The selected printer's page and the screen, in the units the preview works with.
struct PageMetrics {
    int dpiX = 600, dpiY = 600;
    int physW = 0, physH = 0; // paper, printer pixels
    int offX = 0, offY = 0;   // unprintable left and top edge
    int pageW = 0, pageH = 0; // printable area
    int ppi = 96;             // screen
    double inW = 0, inH = 0;
    int mmW = 0, mmH = 0;
    int pagePxW = 0, pagePxH = 0;
    int minLeftScr = 0, minTopScr = 0;
    int printWScr = 0, printHScr = 0;
    double previewScale = 3.5;

    // `8.27" x 11.69" (210mm x 297mm)`
    std::string PaperSizeText() const;
};

// The width of the print options dialog, whose preview the page's screen figures are made
// for; a print made without the dialog measures the page the same way.
inline constexpr int PrintDialogWidth = 420;

// The paper's exact size in inches, when known, gives inW and inH; else the printer pixels do.
PageMetrics ComputePageMetrics(int dpiX, int dpiY, int physW, int physH, int offX, int offY,
                               int pageW, int pageH, int ppi, int dialogWidth, double paperInW = 0,
                               double paperInH = 0);

// The margins on every refresh.
struct MarginMetrics {
    int leftPr = 0, topPr = 0;   // printer pixels from the printable area
    int leftScr = 0, topScr = 0; // screen pixels on the paper
    int availW = 0, availH = 0;  // room for content, screen pixels
};
MarginMetrics ComputeMargins(const PageMetrics& m, int leftChoice, int topChoice);

// Where the fit check finds ink on the 1500 x 1500 preview canvas.
struct InkExtent {
    int maxX = 0;
    int maxY = 0;
};
bool ContentFits(const MarginMetrics& margins, const InkExtent& ink);

} // namespace kovaq
