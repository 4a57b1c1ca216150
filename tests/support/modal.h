// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Acts on the next modal dialog or popup menu from inside the event loop of
// the call that shows it (exec), once it is the active window, so the real
// dialogs can be driven by keys and clicks. `skip` is the dialog already
// open beneath it. Should the action leave it open (a failed check), it is
// closed after a few seconds, so the test fails instead of hanging.
inline void whenShown(std::function<void(QWidget *)> act, QWidget *skip = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    struct State
    {
        bool acted = false;
        QPointer<QWidget> dialog;
        int ticks = 0;
    };
    auto state = std::make_shared<State>();
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!state->acted) {
            // Menus only: a completer's list is no dialog.
            QWidget *w = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!w)
                w = QApplication::activeModalWidget();
            const bool ready = w && w != skip && w->isVisible()
                               && (qobject_cast<QMenu *>(w) || w->isActiveWindow() || state->ticks > 50);
            if (!ready && ++state->ticks < 500)
                return;
            if (ready) {
                state->acted = true;
                state->dialog = w;
                state->ticks = 0;
                act(w);
            }
        }
        // Waited in vain: whatever is open in its place is closed.
        QWidget *open = state->acted ? state->dialog.data() : QApplication::activeModalWidget();
        if (state->acted && open && open->isVisible() && ++state->ticks < 500)
            return;
        if (open && open->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(open))
                dialog->reject();
            else
                open->close();
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

// A folder that exists and holds one file, "ada.pdf", for the printer
// dialog's warnings about the output file; "DIR" in a text stands for it.
struct WarningFolder
{
    QTemporaryDir dir;
    bool ready = QFile(dir.filePath(QStringLiteral("ada.pdf"))).open(QFile::WriteOnly);

    QString place(QString text) const { return text.replace(QStringLiteral("DIR"), dir.path()); }
};
