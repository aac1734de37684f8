#include "shell/Form_command_reply.h"

#include "resources/string_ids.h"
#include "resources/texts.h"
#include "shell/program.h"
#include "ui_Form_command_reply.h"

#include <QHeaderView>
#include <QPushButton>

#include <algorithm>

namespace {

enum EColumn { transaction_column, message_column, response_column, new_column, parameter_column };
// Widths as designed; the "New" column keeps the list's default.
constexpr std::pair<EColumn, int> column_widths[] = {{transaction_column, 100},
                                                     {message_column, 100},
                                                     {response_column, 180},
                                                     {parameter_column, 150}};

QString response_text(std::uint16_t code)
{
    const std::optional<int> text = CMsg0_response_code::text_number(code);
    return text ? LoadText(*text) : QString::number(code);
}

} // namespace

TFormCommandReply::TFormCommandReply(QWidget *parent)
    : TFormKoruView("FormCommandReply", parent),
      m_ui(std::make_unique<Ui::FormCommandReplyContent>())
{
    setWindowTitle(tr("Command Reply"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    // The list and the Close button keep their sizes of text when the window is scaled, so
    // that the columns, as wide as designed or as their titles, stay so.
    exclude_from_scaling(m_ui->ListView1);
    exclude_from_scaling(buttonClose());
    QHeaderView *header = m_ui->ListView1->header();
    for (const auto &[column, width] : column_widths) {
        header->resizeSection(column, std::max(width, header->sectionSizeHint(column)));
    }
    Get(Program().messages, m_message0);
}

TFormCommandReply::~TFormCommandReply() = default;

QTreeWidget *TFormCommandReply::ListView1() const
{
    return m_ui->ListView1;
}

// The control client hands each acknowledgement over while the Message 0 record holds it; at
// any other time the record reads "no number".
bool TFormCommandReply::UpdateFromMessage(int)
{
    if (!m_message0->is_current()) {
        return false;
    }
    add_row();
    return true;
}

void TFormCommandReply::add_row()
{
    QTreeWidget *list = m_ui->ListView1;
    list->setUpdatesEnabled(false);
    auto *row = new QTreeWidgetItem;
    row->setText(transaction_column,
                 QString::number(m_message0->header().transaction_number().get()));
    row->setText(message_column, QString::number(m_message0->message_id_received().get()));
    row->setText(response_column, response_text(m_message0->response_code().get()));
    row->setText(new_column, LoadText(m_message0->new_parameters().accepted() ? string_id::yes
                                                                              : string_id::no));
    const std::string_view parameter = m_message0->parameter_error_name().text();
    row->setText(parameter_column,
                 QString::fromLatin1(parameter.data(), static_cast<qsizetype>(parameter.size())));
    list->insertTopLevelItem(0, row);
    while (list->topLevelItemCount() > most_rows) {
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    }
    list->setUpdatesEnabled(true);
}

void TFormCommandReply::ResetDisplay(int)
{
    m_ui->ListView1->clear();
}
