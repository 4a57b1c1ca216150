// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>

// Tells when a widget has received its first paint event. The callback runs
// before the widget draws itself; whatever it queues runs after that.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(QWidget *widget, std::function<void()> then = {})
        : QObject(widget), then_(std::move(then))
    {
        widget->installEventFilter(this);
    }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            if (then_)
                then_();
        }
        return false;
    }

private:
    std::function<void()> then_;
    bool painted_ = false;
};
