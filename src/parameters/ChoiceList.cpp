#include "parameters/ChoiceList.h"

namespace vaduvizu {

QString ChoiceList::text() const {
    if (selected < 0 || selected >= items.size())
        return {};
    return items[selected];
}

void ChoiceList::select(const QString& text) {
    selected = -1;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].compare(text, Qt::CaseInsensitive) == 0) {
            selected = i;
            return;
        }
    }
}

void ChoiceList::setItems(const QStringList& newItems) {
    items = newItems;
    selected = -1;
}

} // namespace vaduvizu
