#include "help/help.h"

#include "settings/settings.h"

namespace trivolo::help {

void open_guide(DocumentService& documents)
{
    documents.open(settings::app_file(settings::kHelpDocument));
}

void open_readme(DocumentService& documents)
{
    documents.open(settings::app_file(settings::kReadMeDocument));
}

}  // namespace trivolo::help
