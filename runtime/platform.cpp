#include "runtime/platform.h"

#include "runtime/messagebox.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

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

int DesktopPlatform::messageBox(QWidget *parent, const QString &prompt, int style,
                                const QString &title)
{
    const BoxLook look = boxLook(style);
    QMessageBox box(messageIcon(look.icon), title, prompt, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    for (int answer : look.buttons)
        box.addButton(standardButton(answer));
    box.setDefaultButton(standardButton(look.defaultAnswer));
    box.setEscapeButton(standardButton(look.escapeAnswer));
    box.exec();
    const auto *clicked = box.clickedButton();
    for (int answer : look.buttons) {
        if (clicked == box.button(standardButton(answer)))
            return answer;
    }
    return look.escapeAnswer;
}

QString DesktopPlatform::inputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

bool DesktopPlatform::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QTime DesktopPlatform::currentTime()
{
    return QTime::currentTime();
}

QString timeText(QTime time, const QLocale &locale)
{
    // The long format carries the seconds but also a zone name ("t"), which a
    // clock on a label has no use for.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QStringLiteral(" "));
    return locale.toString(time, format.trimmed());
}

QString timeText(QTime time)
{
    return timeText(time, QLocale());
}

} // namespace rt
