// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace rt {

class Forms;
class Platform;
class Record;

// The top-level window of an open screen. It tells its screen when the user
// closes it through the close box, so the screen counts as closed at once.
// A window given a "picture" (a resource path, in its .ui file) shows it
// unscaled from its top-left corner, under its controls.
class FormWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Makes screen windows known to assistive technology as windows that offer
// only what lies inside their client area; once per run.
void installFormWindowAccessibility();

// One screen of the program. The instance lives for the whole run; its window
// exists only while the screen is open and is built afresh from the screen's
// design-time contents each time it opens.
class Screen : public QObject
{
    Q_OBJECT
public:
    Screen(Forms &forms, const QString &name);
    ~Screen() override;

    const QString &name() const { return name_; }

    // Opens the screen (building its window and running its load hook) or,
    // when it is open already, only brings it to the front.
    void show();
    // Discards the window and the state of its controls. Safe from inside one
    // of the screen's own handlers: the widgets are deleted once control has
    // left them, but the screen counts as closed at once.
    void close();

    bool isOpen() const { return window_ != nullptr; }
    // The open window, or nullptr when the screen is closed.
    QWidget *window() const { return window_; }

protected:
    // Builds the design-time contents into a new, empty window: setupUi,
    // window kind and size, colours, signal connections.
    virtual void build(QWidget &window) = 0;
    // Runs after build, before the window is first displayed.
    virtual void load() {}
    // The control that has the focus when the window opens.
    virtual QWidget *firstFocus() const { return nullptr; }

    // The hand-over: show the target screen, then close this one.
    void handOver(const QString &target);

    Forms &forms() const { return forms_; }
    Platform &platform() const;
    Record &record() const;

private:
    void discard();

    Forms &forms_;
    const QString name_;
    QPointer<FormWindow> window_;
};

} // namespace rt
