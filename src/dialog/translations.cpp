// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale &locale)
{
    if (!m_own.load(locale, QStringLiteral("vantrel"), QStringLiteral("_"),
                    QStringLiteral(":/i18n")))
        return;
    QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}
