#pragma once

#include <QApplication>

namespace pelora {

class Prompter;

// The till's application object. A failure that escapes an event handler ends up here, in the
// application's general error report, instead of ending the program in the middle of service.
class PeloraApplication : public QApplication {
    Q_OBJECT
public:
    PeloraApplication(int& argc, char** argv);
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompter* prompter_ = nullptr;
};

} // namespace pelora
