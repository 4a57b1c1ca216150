// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/platform.h"

#include "runtime/messagebox.h"
#include "runtime/printsupport.h"

#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace rt {
namespace {

QMessageBox::StandardButton standardButton(int answer)
{
    switch (answer) {
    case AnswerYes: return QMessageBox::Yes;
    case AnswerNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon messageIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> DesktopPlatform::makeMessageBox(QWidget *parent, const QString &prompt, int style,
                                                            const QString &title)
{
    const BoxLook look = boxLook(style);
    auto box = std::make_unique<QMessageBox>(messageIcon(look.icon), title, prompt, QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    for (int answer : look.buttons)
        box->addButton(standardButton(answer));
    // Enter presses the preselected button, Escape the escape button.
    box->setDefaultButton(standardButton(look.defaultAnswer));
    box->setEscapeButton(standardButton(look.escapeAnswer));
    return box;
}

int DesktopPlatform::answerOf(const QMessageBox &box, int style)
{
    const BoxLook look = boxLook(style);
    const auto *clicked = box.clickedButton();
    for (int answer : look.buttons) {
        if (clicked && clicked == box.button(standardButton(answer)))
            return answer;
    }
    return look.escapeAnswer;
}

int DesktopPlatform::messageBox(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    const auto box = makeMessageBox(parent, prompt, style, title);
    box->exec();
    return answerOf(*box, style);
}

std::unique_ptr<QInputDialog> DesktopPlatform::makeInputBox(QWidget *parent, const QString &prompt,
                                                           const QString &title)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setInputMode(QInputDialog::TextInput);
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextValue(QString());
    // The prompt is shown as it is written, never as markup.
    if (auto *label = box->findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    return box;
}

QString DesktopPlatform::inputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    const auto box = makeInputBox(parent, prompt, title);
    return box->exec() == QDialog::Accepted ? box->textValue() : QString();
}

bool DesktopPlatform::printDialog(QWidget *parent, QPrinter &printer)
{
    PrintSupport *support = printSupport();
    return support && support->askPrinter(parent, printer);
}

QTime DesktopPlatform::currentTime()
{
    return QTime::currentTime();
}

QDateTime Platform::currentDateTime()
{
    return QDateTime::currentDateTime();
}

QString timeText(QTime time, const QLocale &locale)
{
    // The long format carries the seconds but also a zone name ("t" to
    // "tttt"), which a clock on a label has no use for. It goes with what only
    // sets it apart: the blanks around it, brackets round it, a comma before
    // it. Quoted text stays as it is. Plain string work: this runs on every
    // tick of the clock.
    QString format = locale.timeFormat(QLocale::LongFormat);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == u'\'')
            quoted = !quoted;
        if (quoted || format[i] != u't')
            continue;
        qsizetype begin = i, end = i;
        while (end < format.size() && format[end] == u't')
            ++end;
        const auto blanksBefore = [&] { while (begin > 0 && format[begin - 1].isSpace()) --begin; };
        const auto blanksAfter = [&] { while (end < format.size() && format[end].isSpace()) ++end; };
        blanksBefore();
        blanksAfter();
        if (begin > 0 && end < format.size()
            && ((format[begin - 1] == u'(' && format[end] == u')') || (format[begin - 1] == u'[' && format[end] == u']'))) {
            --begin;
            ++end;
            blanksBefore();
            blanksAfter();
        }
        if (begin > 0 && format[begin - 1] == u',') {
            --begin;
            blanksBefore();
        }
        format.replace(begin, end - begin, QStringLiteral(" "));
        i = begin;
    }
    return locale.toString(time, format.trimmed());
}

QString timeText(QTime time)
{
    return timeText(time, QLocale());
}

QString dateTimeText(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QLocale::LongFormat) + QStringLiteral(", ") + timeText(when.time(), locale);
}

} // namespace rt
