#include "resources/texts.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"

QString LoadText(int id)
{
    const std::string_view text = string_text(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString BoxCaption(ECaption kind)
{
    int suffix = string_id::caption_message;
    switch (kind) {
    case ECaption::error:
        suffix = string_id::caption_error;
        break;
    case ECaption::warning:
        suffix = string_id::caption_warning;
        break;
    case ECaption::message:
        suffix = string_id::caption_message;
        break;
    }
    return QLatin1String(application_title) + LoadText(suffix);
}
