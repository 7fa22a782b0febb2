#include "SqlScript.h"

#include <QRegularExpression>

namespace pelora::dbinit {

QStringList splitSqlScript(const QString& script) {
    static const QRegularExpression setTerm(QStringLiteral("^SET\\s+TERM\\s+(\\S+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    enum class State { Code, Quote, Identifier, LineComment, BlockComment };
    State state = State::Code;
    QString terminator = QStringLiteral(";");
    QStringList statements;
    QString current;

    auto finish = [&] {
        const QString statement = current.trimmed();
        current.clear();
        if (statement.isEmpty())
            return;
        const auto m = setTerm.match(statement);
        if (m.hasMatch())
            terminator = m.captured(1);
        else
            statements << statement;
    };

    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        const QChar next = i + 1 < n ? script[i + 1] : QChar();
        switch (state) {
        case State::LineComment:
            if (c == u'\n')
                state = State::Code;
            if (!current.trimmed().isEmpty())
                current += c;
            continue;
        case State::BlockComment:
            if (!current.trimmed().isEmpty())
                current += c;
            if (c == u'*' && next == u'/') {
                if (!current.trimmed().isEmpty())
                    current += next;
                ++i;
                state = State::Code;
            }
            continue;
        case State::Quote:
            current += c;
            if (c == u'\'')
                state = State::Code; // a doubled quote re-enters at once
            continue;
        case State::Identifier:
            current += c;
            if (c == u'"')
                state = State::Code;
            continue;
        case State::Code:
            break;
        }
        if (c == u'-' && next == u'-') {
            state = State::LineComment;
            if (!current.trimmed().isEmpty())
                current += c;
            continue;
        }
        if (c == u'/' && next == u'*') {
            state = State::BlockComment;
            if (!current.trimmed().isEmpty())
                current += c;
            continue;
        }
        if (QStringView(script).mid(i).startsWith(terminator)) {
            finish();
            i += terminator.size() - 1;
            continue;
        }
        if (c == u'\'')
            state = State::Quote;
        else if (c == u'"')
            state = State::Identifier;
        if (!current.trimmed().isEmpty() || !c.isSpace())
            current += c;
    }
    finish();
    return statements;
}

bool isCommitStatement(const QString& statement) {
    static const QRegularExpression commit(QStringLiteral("^COMMIT(\\s+WORK)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return commit.match(statement.trimmed()).hasMatch();
}

} // namespace pelora::dbinit
