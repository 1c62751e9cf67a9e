#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Finds the texts of a form that its widgets cut off at the size they have on the
// display: labels (wrapped ones by height), buttons, list and combo-box rows and the
// text a spin box shows. One line per text that does not fit, naming the widget.
namespace TextFit
{

QStringList cutOff(QWidget *form);
// The same for one widget, with the text it holds now.
QStringList cutOffText(QWidget *widget);

} // namespace TextFit
