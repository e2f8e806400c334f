// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts, and Qt's own (file dialogs, message box buttons), in the first of the
// locale's UI languages that vantrel is translated into. For any other language, and for the C
// locale, nothing is installed and every text stays as the sources write it.
class Translations
{
public:
    explicit Translations(const QLocale &locale);
    ~Translations();

private:
    QTranslator m_own;
    QTranslator m_qt;
};
