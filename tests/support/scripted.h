// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/program.h"
#include "runtime/forms.h"
#include "runtime/platform.h"
#include "runtime/screen.h"

#include <QAbstractButton>
#include <QProcess>
#include <QQueue>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include <functional>

// The offscreen platform warns each time a window is raised that it cannot;
// long runs would drown in it.
inline void ignoreOffscreenRaise()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.contains(QLatin1String("does not support raise()")))
            return;
        previous(type, context, message);
    });
}

// A platform whose boxes answer from a script and whose clock is set by the
// test. Every box shown is recorded, so tests can check what the user saw.
class ScriptedPlatform final : public rt::Platform
{
public:
    struct Box
    {
        QString prompt;
        int style = 0;
        QString title;
    };

    QQueue<int> answers;          // message-box answers; OK when empty
    QQueue<QString> names;        // input-box texts; Cancel (empty) when empty
    QList<Box> boxes;             // every message box shown
    QList<Box> inputs;            // every input box shown
    bool printConfirmed = false;  // what the printer dialog answers
    int printDialogs = 0;
    std::function<void(QPrinter &)> onPrintDialog;  // e.g. to point the printer at a PDF file
    QTime now{10, 0, 0};
    int clockReads = 0;

    int messageBox(QWidget *, const QString &prompt, int style, const QString &title) override
    {
        boxes.append({prompt, style, title});
        return answers.isEmpty() ? 1 : answers.dequeue();
    }
    QString inputBox(QWidget *, const QString &prompt, const QString &title) override
    {
        inputs.append({prompt, 0, title});
        return names.isEmpty() ? QString() : names.dequeue();
    }
    bool printDialog(QWidget *, QPrinter &printer) override
    {
        ++printDialogs;
        if (onPrintDialog)
            onPrintDialog(printer);
        return printConfirmed;
    }
    QTime currentTime() override
    {
        ++clockReads;
        return now;
    }
    QDate today{2024, 3, 5};
    QDateTime currentDateTime() override { return QDateTime(today, now); }
};

// The whole program over a scripted platform, with helpers that act as the
// user would: find a control on an open screen and click it.
struct Fixture
{
    ScriptedPlatform platform;
    app::Program program{platform};

    rt::Forms &forms() { return program.forms(); }
    QWidget *window(const QString &screen)
    {
        rt::Screen *s = forms().existing(screen);
        return s ? s->window() : nullptr;
    }
    template <typename T = QWidget>
    T *control(const QString &screen, const QString &name)
    {
        QWidget *w = window(screen);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    // Clicks a button of an open screen; false when there is no such button.
    bool click(const QString &screen, const QString &button)
    {
        auto *b = control<QAbstractButton>(screen, button);
        if (!b || !b->isVisible())
            return false;
        b->click();
        return true;
    }
    bool choose(const QString &screen, const QString &option)
    {
        auto *o = control<QRadioButton>(screen, option);
        if (!o)
            return false;
        o->click();
        return true;
    }
    // "Mulai", Yes, and the name typed into the input box.
    void registerName(const QString &name)
    {
        platform.answers.enqueue(6);
        platform.names.enqueue(name);
        click(QStringLiteral("Utama"), QStringLiteral("Command1"));
    }
    // Answers the open question screen and presses "&Diagnosa".
    void answer(int node, bool ya)
    {
        const QString screen = QStringLiteral("tanya%1").arg(node);
        choose(screen, ya ? QStringLiteral("ya") : QStringLiteral("tidak"));
        click(screen, QStringLiteral("Command1"));
    }
};

// What one of the PDF tools (poppler-utils) prints for the arguments given.
inline QString pdfTool(const QString &name, const QStringList &arguments)
{
    const QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty())
        return name + QStringLiteral(" is not installed");
    QProcess p;
    p.start(tool, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a printed PDF as pdftotext reads it, pages parted by form feeds.
inline QString pdfToText(const QString &path)
{
    return pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

// What a tool tip or What's This text reads as, rich or plain.
inline QString tipText(const QString &tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}
