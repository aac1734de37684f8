#pragma once
// The command reply view: the computer's most recent answers to the messages sent to it, newest
// first, with the response, whether new parameters were taken over and the parameter at fault.

#include "protocol/acknowledgement.h"
#include "shell/Form_koru_view.h"

#include <memory>

class QTreeWidget;
namespace Ui {
class FormCommandReplyContent;
}

class TFormCommandReply : public TFormKoruView {
    Q_OBJECT
public:
    // The list keeps this many answers.
    static constexpr int most_rows = 100;

    explicit TFormCommandReply(QWidget *parent = nullptr);
    ~TFormCommandReply() override;

    QTreeWidget *ListView1() const;

    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;

private:
    void add_row();

    std::unique_ptr<Ui::FormCommandReplyContent> m_ui;
    CMessage0 *m_message0 = nullptr;
};
