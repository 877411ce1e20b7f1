// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SINGLELINEVALIDATOR_H
#define SINGLELINEVALIDATOR_H

#include <QValidator>

// Keeps a line edit free of line breaks. QLineEdit takes them from a paste or a drop, and one in
// a player name would start a second console command in the script. Of an insertion that carries
// a line break, only the text before the break is kept.
class SingleLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
    // The text up to its first line break, as the box takes it when it is inserted.
    static QStringView firstLine(QStringView text);
};

#endif // SINGLELINEVALIDATOR_H
