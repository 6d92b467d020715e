#pragma once

#include <functional>

class QAbstractItemView;
class QModelIndex;

// Enter, Return and Space on the current item of `view` call `activate` with it (mouse clicks
// stay the view's own business): a keyboard user opens what a click opens.
void activateOnKeys(QAbstractItemView* view, std::function<void(const QModelIndex&)> activate);
