#pragma once

#include "common/Prompter.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"

#include <QString>

#include <exception>
#include <memory>
#include <utility>

namespace pelora {

// A window class's name without its namespace and leading T ("QtyForm").
QString formName(const char* className);
// The message when a window cannot be created: "Cannot open " and the class name without its
// leading T ("Cannot open QtyForm.").
QString cannotOpenMessage(const char* className);

// Creates a window for its opener; when that fails the operator is told and no window is given.
template <typename Form, typename... Args>
std::unique_ptr<Form> createForm(Prompter& prompter, Args&&... args) {
    try {
        return std::make_unique<Form>(std::forward<Args>(args)...);
    } catch (const std::exception& failure) {
        reportFailureAs(prompter, failure, cannotOpenMessage(Form::staticMetaObject.className()));
        return nullptr;
    }
}

// Makes and fills a window under the hourglass (`make` returns it ready to show); a failure on
// the way is the error `failure` and no window is given.
template <typename Form, typename Make>
std::unique_ptr<Form> makeFilledForm(Prompter& prompter, Make&& make, const QString& failure) {
    std::unique_ptr<Form> form;
    try {
        BusyCursor busy;
        form = std::forward<Make>(make)();
    } catch (const std::exception& made) {
        reportFailureAs(prompter, made, failure);
        return nullptr;
    }
    if (!form)
        prompter.error(failure);
    return form;
}

// The same, a failure being "Cannot open ..." with the window's class name.
template <typename Form, typename Make>
std::unique_ptr<Form> makeFilledForm(Prompter& prompter, Make&& make) {
    return makeFilledForm<Form>(prompter, std::forward<Make>(make), cannotOpenMessage(Form::staticMetaObject.className()));
}

// Shows a modal window and waits for it, with the normal cursor while it is up.
template <typename Form>
int showModal(Form& form) {
    NormalCursor normal;
    return form.exec();
}

} // namespace pelora
