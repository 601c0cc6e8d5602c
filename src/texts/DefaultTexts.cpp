#include "texts/TextTable.h"

namespace vaduvizu {

QString defaultText(int) {
    return QStringLiteral(" ");
}

} // namespace vaduvizu
