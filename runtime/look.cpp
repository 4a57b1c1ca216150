// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/look.h"

#include "runtime/text.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>

namespace rt {

void applyWindowKind(QWidget &window, WindowKind kind, QSize client)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (kind) {
    case WindowKind::Tool:
        flags |= Qt::Tool | Qt::MSWindowsFixedSizeDialogHint;
        break;
    case WindowKind::Fixed:
        flags |= Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
        break;
    case WindowKind::Resizable:
        flags |= Qt::Window | Qt::WindowMinMaxButtonsHint;
        break;
    }
    window.setWindowFlags(flags);
    if (kind == WindowKind::Resizable) {
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.resize(client);
    } else {
        window.setFixedSize(client);
    }
}

void centreOnDisplay(QWidget &window)
{
    const QScreen *display = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           display->availableGeometry()));
}

QPalette::ColorRole systemColourRole(int index)
{
    switch (index) {
    case sys::menuText: return QPalette::WindowText;
    case sys::highlightText: return QPalette::HighlightedText;
    case sys::buttonFace: return QPalette::Button;
    case sys::toolTipBackground: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

QColor systemColour(int index)
{
    return QApplication::palette().color(systemColourRole(index));
}

void fillWithSystemColour(QWidget &widget, int index)
{
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), systemColour(index));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void explain(QWidget &widget, const QString &text)
{
    // A tip is not wrapped unless it would not fit the display, so it is
    // broken into lines of a readable length here; converted, it is never
    // taken for markup, and shows its blanks as they are.
    const QString shown = Qt::convertFromPlainText(wrapped(text, explanationWidth), Qt::WhiteSpacePre);
    widget.setToolTip(shown);
    widget.setWhatsThis(shown);
    widget.setAccessibleDescription(text);
}

void paintButtonWithSystemColour(QWidget &button, int index)
{
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, systemColour(index));
    button.setPalette(palette);
}

void installFontStandIns()
{
    // Chosen by width: Liberation Sans keeps the metrics of the narrow
    // Windows sans faces, where the fontconfig default is some 13% wider.
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Lucida Sans"), sans);
    QFont::insertSubstitution(QStringLiteral("Lucida Sans Unicode"), sans);
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"), QStringLiteral("URW Bookman"));
    QFont::insertSubstitution(QStringLiteral("Monotype Corsiva"), QStringLiteral("Z003"));
}

FontDatabaseWarmUp::FontDatabaseWarmUp() : thread_([] { QFontDatabase::families(); }) {}

FontDatabaseWarmUp::~FontDatabaseWarmUp()
{
    thread_.join();
}

void applyDesignFonts(QWidget &root)
{
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(&root);
    // Faces by name first: a widget that takes its face from its parent
    // would otherwise already see the stand-in.
    QList<QString> designed;
    designed.reserve(widgets.size());
    for (QWidget *widget : widgets)
        designed.append(widget->font().family());

    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget &widget = *widgets[i];
        const QVariant size = widget.property("pointSizeF");
        const QVariant weight = widget.property("fontWeight");
        // Asked for a designed face by its name, which is not installed, the
        // toolkit makes two fallback queries to fontconfig for each face
        // before it settles on the stand-in: a tenth of the start-up time.
        // So the widget names the stand-in, and keeps the designed face as
        // a property.
        const QString standIn = QFont::substitute(designed[i]);
        const bool standsIn = standIn != designed[i];
        if (!size.isValid() && !weight.isValid() && !standsIn)
            continue;
        QFont font = widget.font();
        if (size.isValid())
            font.setPointSizeF(size.toDouble());
        if (weight.isValid())
            font.setWeight(QFont::Weight(weight.toInt()));
        if (standsIn) {
            font.setFamilies({standIn});
            widget.setProperty("designFamily", designed[i]);
        }
        widget.setFont(font);
    }
}

QString designFamily(const QWidget &widget)
{
    const QVariant designed = widget.property("designFamily");
    return designed.isValid() ? designed.toString() : widget.font().family();
}

} // namespace rt
