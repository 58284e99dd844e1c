#include "platform/linetextbox.h"

#include <QValidator>

namespace {

class TypingLimit final : public QValidator
{
public:
    explicit TypingLimit(LineTextBox *box) : QValidator(box), m_box(box) {}

    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_box->typingLimit())
            return Acceptable;
        // Over the limit only by the program's doing: shortening is allowed, lengthening is not.
        return input.size() < m_box->text().size() ? Intermediate : Invalid;
    }

private:
    LineTextBox *m_box;
};

} // namespace

LineTextBox::LineTextBox(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new TypingLimit(this));
}
