// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace rt {

// The consultation record: the only data the screens share. It is never shown
// and never cleared; each field holds one text, replaced whole on every write.
class Record
{
public:
    const QString &namas() const { return namas_; }
    const QString &status() const { return status_; }
    void setNamas(const QString &name) { namas_ = name; }
    void setStatus(const QString &code) { status_ = code; }

private:
    // The captions the record's two labels are designed with.
    QString namas_ = QStringLiteral("Label1");
    QString status_ = QStringLiteral("Label2");
};

} // namespace rt
