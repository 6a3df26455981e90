#pragma once

#include "framework/Application.h"

#include <chrono>
#include <functional>

// The one application object of a test program, made on first use.
inline Application& testApplication()
{
    static int argc = 1;
    static char name[] = "framework_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals may be gone by the time statics are, and tearing the
    // application down after them crashes.
    static Application* application = new Application(argc, argv);
    return *application;
}

// Delivers events until done() holds (a busy machine gets two seconds), or for ms when done is
// empty. Answers whether done holds at the end.
inline bool runEvents(int ms, const std::function<bool()>& done = {})
{
    testApplication();
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(done ? 2000 : ms);
    while (std::chrono::steady_clock::now() < end && !(done && done()))
        Application::processEvents(5);
    return !done || done();
}
