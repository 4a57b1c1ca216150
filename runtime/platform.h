// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <memory>

class QInputDialog;
class QLocale;
class QMessageBox;
class QPrinter;
class QWidget;

namespace rt {

// The modal boxes, the printer dialog and the clock, as the screens use them.
// The desktop implementation asks the user; tests script the answers.
class Platform
{
public:
    virtual ~Platform() = default;

    // Returns the answer of the pressed button (see messagebox.h).
    virtual int messageBox(QWidget *parent, const QString &prompt, int style,
                           const QString &title) = 0;
    // Returns the typed text; Cancel gives an empty text.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // Lets the user choose a printer; true when the user confirmed.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual QTime currentTime() = 0;
    // The date and time, for what is dated (the printed page).
    virtual QDateTime currentDateTime();
};

class DesktopPlatform final : public Platform
{
public:
    int messageBox(QWidget *parent, const QString &prompt, int style, const QString &title) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    QTime currentTime() override;

    // The boxes as the methods above show them, built but not yet run, so a
    // test can show one and check what the keys do with it.
    static std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &prompt, int style,
                                                       const QString &title);
    // The answer of the button that closed the box; the escape answer when
    // the box was closed otherwise.
    static int answerOf(const QMessageBox &box, int style);
    static std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &prompt,
                                                      const QString &title);
};

// The time of day in the locale's long time format, without a time-zone name.
QString timeText(QTime time, const QLocale &locale);
QString timeText(QTime time);

// The date in the locale's long format, then the time as timeText gives it.
QString dateTimeText(const QDateTime &when, const QLocale &locale);

} // namespace rt
