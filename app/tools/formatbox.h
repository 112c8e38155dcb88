// A box of file formats, filled with their translated titles in a fixed
// order, and filled again when the language changes without losing the
// choice.
#ifndef VANTOREL_TOOLS_FORMATBOX_H
#define VANTOREL_TOOLS_FORMATBOX_H

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

template <typename Format, std::size_t n>
void fillFormatBox(QComboBox* box, const Format (&formats)[n], QString (*title)(Format))
{
    const QSignalBlocker keepTheChoice(box);
    const int chosen = std::max(0, box->currentIndex());
    box->clear();
    for (const Format format : formats)
        box->addItem(title(format));
    box->setCurrentIndex(chosen);
}

// The format chosen in a box filled so.
template <typename Format, std::size_t n>
Format chosenFormat(const QComboBox* box, const Format (&formats)[n])
{
    return formats[std::clamp(box->currentIndex(), 0, static_cast<int>(n) - 1)];
}

#endif  // VANTOREL_TOOLS_FORMATBOX_H
