#pragma once

#include <QString>

class QWidget;

namespace quimbel {

// A plain modal message over `parent`: no icon, one OK button. Returns once
// the user has closed it.
void showMessage(QWidget* parent, const QString& title, const QString& text);

} // namespace quimbel
