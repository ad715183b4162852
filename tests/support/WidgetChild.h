#pragma once

#include <QObject>
#include <stdexcept>
#include <string>

// A form's widget by its object name; throws, failing the test, when the form has none.
template <class T>
T *Child(const QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no child named ") + name);
    return child;
}
