#include "print/LineTexts.h"

#include "db/Query.h"

namespace pelora {

LineOptions LineOptions::of(const db::Query& query) {
    LineOptions options;
    for (std::size_t n = 0; n < 10; ++n) {
        const QString slot = QStringLiteral("opt%1").arg(n + 1);
        options.captions[n] = query.value(QString(slot + QStringLiteral("caption"))).asText();
        options.choices[n] = query.value(QString(slot + QStringLiteral("choice"))).asText();
    }
    return options;
}

QString optionText(const LineOptions& options) {
    QString text;
    for (std::size_t n = 0; n < 10; ++n) {
        const QString& choice = options.choices[n];
        if (choice.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QStringLiteral(" + ");
        text += choice == u"T" ? options.captions[n] : options.captions[n] + QStringLiteral(": ") + choice;
    }
    return text;
}

QString messageText(const QString& optMsg, const QString& splitRef, const QString& splitMsg,
                    const QString& beforeSplitMsg) {
    QString text = optMsg;
    if (!splitRef.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" > ")) + splitRef;
    if (!splitRef.isEmpty() && !splitMsg.isEmpty())
        text += beforeSplitMsg + splitMsg;
    return text;
}

} // namespace pelora
