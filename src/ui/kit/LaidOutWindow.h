#pragma once

#include "SideWindow.h"

#include <QString>

#include <stdexcept>

namespace MainBas {

// The most characters a copy puts on the clipboard: more than a spreadsheet takes in
// one paste, and little enough that the clipboard, and whoever pastes, can hold it.
constexpr qsizetype MaxCopiedLength = qsizetype {16} * 1024 * 1024;

// Raised by copiedText() when the text is not to be copied, with the reason in plain words.
class CopyRefused : public std::runtime_error
{
public:
    explicit CopyRefused(const QString &message)
        : std::runtime_error(message.toStdString())
    { }

    QString message() const { return QString::fromStdString(what()); }
};

// The base of the side windows that Qt's layouts arrange rather than a fixed table in
// twips: they take the system font, Ctrl+C copies their copiedText() wherever the focus
// is, and Esc closes them from any control that leaves the key unused. They can be
// resized, and come back where and as large as they were last, between runs too.
class LaidOutWindow : public SideWindow
{
    Q_OBJECT

public:
    LaidOutWindow(const QString &name, const QString &title, int widthTwips, int heightTwips);
    ~LaidOutWindow() override;

    // What Ctrl+C puts on the clipboard; empty when there is nothing to copy. A window
    // whose text may grow beyond MaxCopiedLength raises CopyRefused before building it.
    virtual QString copiedText() const = 0;

protected:
    // Copies copiedText(). Nothing to copy leaves the clipboard as it was; a refusal or
    // a lack of memory is reported, and the program goes on.
    void copyToClipboard() const;
    void keyPressEvent(QKeyEvent *event) override;
};

// Gives a control its object name and the name screen readers announce.
template<typename Widget> Widget *Named(Widget *widget, const char *name, const char *accessible)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(QLatin1String(accessible));
    return widget;
}

} // namespace MainBas
