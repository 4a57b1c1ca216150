// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms.h"

#include "runtime/screen.h"

#include <QWidget>

namespace rt {

Forms::Forms(Platform &platform, QObject *parent) : QObject(parent), platform_(platform)
{
    installFormWindowAccessibility();
}

Forms::~Forms()
{
    ended_ = true;
    screens_.clear();
    for (const QPointer<QWidget> &window : std::as_const(disposed_))
        delete window.data();
}

void Forms::define(const QString &name, Factory factory)
{
    factories_[name] = std::move(factory);
}

bool Forms::isDefined(const QString &name) const
{
    return factories_.count(name) != 0;
}

Screen &Forms::screen(const QString &name)
{
    if (auto found = screens_.find(name); found != screens_.end())
        return *found->second;
    const auto factory = factories_.find(name);
    if (factory == factories_.end())
        qFatal("No screen is defined under the name \"%s\"", qPrintable(name));
    auto created = factory->second(*this);
    Screen &instance = *created;
    screens_.emplace(name, std::move(created));
    return instance;
}

Screen *Forms::existing(const QString &name) const
{
    const auto found = screens_.find(name);
    return found == screens_.end() ? nullptr : found->second.get();
}

Record &Forms::record()
{
    if (!record_)
        record_ = std::make_unique<Record>();
    return *record_;
}

QStringList Forms::openScreens() const
{
    QStringList names;
    for (const Screen *screen : open_)
        names << screen->name();
    return names;
}

void Forms::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (Screen *screen : QList<Screen *>(open_))
        screen->close();
    emit ended();
}

void Forms::screenOpened(Screen &screen)
{
    if (!open_.contains(&screen))
        open_.append(&screen);
}

void Forms::screenClosed(Screen &screen)
{
    open_.removeAll(&screen);
    // The record has no window, so once the last visible window is gone the
    // user has no way left to end the program: end it here.
    if (open_.isEmpty() && !ended_)
        end();
}

void Forms::dispose(QWidget *window)
{
    disposed_.removeAll(QPointer<QWidget>());
    disposed_.append(window);
    window->deleteLater();
}

} // namespace rt
