#pragma once

#include <QString>
#include <QValidator>

namespace bars {

// What an insertion may leave of `after`, the text that replaced `before`, when a field
// takes at most `limit` characters from the keyboard: the inserted part keeps what fits and
// the cursor stands after it. A change that does not grow the text past the limit stays.
QString LimitInsertion(const QString& before, const QString& after, int limit, int& cursor);

// The maximum length of an edit window as a limit on typing alone, as the platform's edits
// have it: a text the program sets is never cut, however long, and only what the user
// types or pastes is held to the limit.
class TypingLimit : public QValidator {
public:
    using QValidator::QValidator;

    // 0 is no limit.
    void SetLimit(int limit) { m_limit = limit; }
    int Limit() const { return m_limit; }
    // The program sets this text: taken whole.
    void TakeText(const QString& text) { m_accepted = text; }

    State validate(QString& input, int& pos) const override;

private:
    int m_limit = 0;
    // The text before the change being validated; the edit asks through a const call.
    mutable QString m_accepted;
};

}  // namespace bars
