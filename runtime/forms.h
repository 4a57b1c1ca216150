// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/record.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace rt {

class Platform;
class Screen;

// The form engine: owns the one instance of every screen and the consultation
// record. Screens reach each other only by name through it, so the engine
// knows no screen; the program defines a factory for each name at start-up.
class Forms : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<Screen>(Forms &)>;

    explicit Forms(Platform &platform, QObject *parent = nullptr);
    ~Forms() override;

    void define(const QString &name, Factory factory);
    bool isDefined(const QString &name) const;

    // The screen's single instance, created at the first reference.
    Screen &screen(const QString &name);
    // The instance if it has been created, else nullptr; creates nothing.
    Screen *existing(const QString &name) const;

    // The consultation record, created hidden at the first access.
    Record &record();
    bool hasRecord() const { return record_ != nullptr; }

    Platform &platform() const { return platform_; }

    // Names of the screens whose windows are open, in the order they opened.
    QStringList openScreens() const;

    // Stops the program at once, whatever is open.
    void end();
    bool hasEnded() const { return ended_; }

signals:
    void ended();

private:
    friend class Screen;
    void screenOpened(Screen &screen);
    void screenClosed(Screen &screen);
    void dispose(QWidget *window);

    Platform &platform_;
    std::map<QString, Factory> factories_;
    std::map<QString, std::unique_ptr<Screen>> screens_;
    std::unique_ptr<Record> record_;
    QList<Screen *> open_;
    QList<QPointer<QWidget>> disposed_;
    bool ended_ = false;
};

} // namespace rt
