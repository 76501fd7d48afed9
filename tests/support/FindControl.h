#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

// A window's control by its object name, the name the game gives it. A name
// no control carries is a fault of the caller, thrown so a test fails on it.
template <class T>
T* FindControl(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        throw std::logic_error(std::string("no control named ") + name);
    return control;
}
