// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixSession.h"

namespace kovaq {

MixSession::MixSession(MixDocument::FitsFor fits, QObject* parent)
    : QObject(parent), m_fits(std::move(fits)), m_document(std::make_unique<MixDocument>(m_fits)) {}

MixSession::~MixSession() = default;

void MixSession::setCurrentFile(const QString& path) {
    if (path == m_currentFile)
        return;
    m_currentFile = path;
    Q_EMIT currentFileChanged(path);
}

std::unique_ptr<MixDocument> MixSession::otherDocument() const {
    return std::make_unique<MixDocument>(m_fits);
}

} // namespace kovaq
