#pragma once

#include <QSize>
#include <QTest>

#include <memory>

namespace BrvTest {

// A new widget of type T shown on screen at size, or null when its window never shows.
template <typename T>
std::unique_ptr<T> shownWidget(const QSize &size)
{
    auto widget = std::make_unique<T>();
    widget->resize(size);
    widget->show();
    if (!QTest::qWaitForWindowExposed(widget.get()))
        return nullptr;
    return widget;
}

} // namespace BrvTest
