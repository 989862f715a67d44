#include "application.h"

#include <QApplication>

namespace quimbel {

void configureApplication() {
    QApplication::setApplicationName(QStringLiteral("quimbel"));
}

} // namespace quimbel
