// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixDocument.h"

#include <QObject>
#include <QString>

#include <memory>

namespace kovaq {

// The one mix the program works on: its document, the file it was opened from or saved to,
// and the rule that says whether a text fits its field. Whoever composes the program hands
// in the rule (the window's font in ko-vaq, the same metrics without a display in
// kovaq-calc), so that every document made here follows it.
class MixSession : public QObject {
    Q_OBJECT
  public:
    explicit MixSession(MixDocument::FitsFor fits, QObject* parent = nullptr);
    ~MixSession() override;

    MixDocument& document() const { return *m_document; }
    // The file the mix came from; empty for a new mix, a paste or an import.
    const QString& currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString& path);
    void forgetCurrentFile() { setCurrentFile(QString()); }

    const MixDocument::FitsFor& fits() const { return m_fits; }
    // A document beside the one worked on (a file copied without being opened), under the
    // same rules.
    std::unique_ptr<MixDocument> otherDocument() const;

  Q_SIGNALS:
    void currentFileChanged(const QString& path);

  private:
    MixDocument::FitsFor m_fits;
    std::unique_ptr<MixDocument> m_document;
    QString m_currentFile;
};

} // namespace kovaq
