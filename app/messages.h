#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The application's information box: a modal message in the black-and-yellow
// style with one "OK" button. Pages show every user-facing notice through it,
// so that one place decides how notices look and tests can take them up.
namespace Messages
{

// Shows the (already translated) text and returns when the box is closed.
void vShow(QWidget* _pParent, const QString& _strText);

// The box in the pages' style: title, black page, yellow text and the
// buttons it has now. Boxes with buttons of their own (the report offer) use
// it too, so that every box looks the same.
void vApplyStyle(QMessageBox& _box);

// While a hook is set, vShow hands the text to it instead of opening a box.
// Meant for tests; pass an empty function to show boxes again.
using Hook = std::function<void(QWidget* _pParent, const QString& _strText)>;
void vSetHook(const Hook& _hook);

} // namespace Messages
