// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/screen.h"

#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/pictures.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QPainter>

namespace rt {
namespace {

// A screen as assistive technology sees it: a window, named by its caption
// (a plain top-level QWidget would pass for a client area), offering only the
// controls inside its client area. A screen may keep texts in labels below
// it, which no user sees and none should hear.
class FormWindowAccessible final : public QAccessibleWidget
{
public:
    explicit FormWindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        const QRect clientArea = widget()->rect();
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && child->geometry().intersects(clientArea))
                children << child;
        }
        return children;
    }
};

QAccessibleInterface *formWindowAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("rt::FormWindow") || !object || !object->isWidgetType())
        return nullptr;
    return new FormWindowAccessible(static_cast<QWidget *>(object));
}

} // namespace

FormWindow::FormWindow(QWidget *parent) : QWidget(parent) {}

void installFormWindowAccessibility()
{
    QAccessible::installFactory(formWindowAccessible);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}

void FormWindow::paintEvent(QPaintEvent *)
{
    const QString picture = property("picture").toString();
    if (picture.isEmpty())
        return;
    QPainter painter(this);
    drawPicture(painter, picture, devicePixelRatioF());
}

Screen::Screen(Forms &forms, const QString &name) : forms_(forms), name_(name) {}

Screen::~Screen()
{
    delete window_.data();
}

void Screen::show()
{
    if (window_) {
        window_->raise();
        window_->activateWindow();
        return;
    }

    auto *window = new FormWindow;
    window->setObjectName(name_);
    connect(window, &FormWindow::closedByUser, this, &Screen::discard);
    window_ = window;
    // Qt 6.4's setTabOrder gives up when it has to look back past the window
    // for a focusable widget, so the window takes focus while it is built.
    window->setFocusPolicy(Qt::TabFocus);
    build(*window);
    window->setFocusPolicy(Qt::NoFocus);
    applyDesignFonts(*window);
    load();
    // A load hook may close its own screen; then there is nothing to display.
    if (window_ != window)
        return;
    centreOnDisplay(*window);
    window->show();
    if (QWidget *focus = firstFocus())
        focus->setFocus(Qt::OtherFocusReason);
    window->activateWindow();
    forms_.screenOpened(*this);
}

void Screen::close()
{
    discard();
}

void Screen::discard()
{
    FormWindow *window = window_;
    if (!window)
        return;
    window_ = nullptr;
    window->disconnect(this);
    window->hide();
    // Deferred: a handler of this window may still be on the call stack.
    forms_.dispose(window);
    forms_.screenClosed(*this);
}

void Screen::handOver(const QString &target)
{
    forms_.screen(target).show();
    close();
}

Platform &Screen::platform() const
{
    return forms_.platform();
}

Record &Screen::record() const
{
    return forms_.record();
}

} // namespace rt
