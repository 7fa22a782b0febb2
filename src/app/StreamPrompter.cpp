#include "app/StreamPrompter.h"

namespace pelora {

bool StreamPrompter::confirm(const QString& text) {
    out_ << text << " No\n";
    return false;
}

Prompter::Answer StreamPrompter::confirmWithCancel(const QString& text) {
    out_ << text << " Cancel\n";
    return Answer::Cancel;
}

} // namespace pelora
