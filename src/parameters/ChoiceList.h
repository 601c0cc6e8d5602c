#pragma once

#include <QString>
#include <QStringList>

namespace vaduvizu {

// What a drop-down list holds: its items and the selected position (-1: no selection).
struct ChoiceList {
    QStringList items;
    int selected = -1;

    // The selected item's text; empty when nothing is selected.
    QString text() const;

    // Selects the item equal to text without regard to letter case (the whole text, blanks
    // and TABs included); no selection when no item matches.
    void select(const QString& text);

    // Replaces the items and leaves the list without a selection.
    void setItems(const QStringList& newItems);

    bool operator==(const ChoiceList&) const = default;
};

} // namespace vaduvizu
