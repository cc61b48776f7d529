#include "ui/web/DialogNotifier.h"

#include "ui/form/FormLayout.h"
#include "ui/web/PageDom.h"

namespace taruk::web {

void DialogNotifier::notify(std::string_view message)
{
    PageDom::showNotice(FormLayout::kApplicationTitle, message);
}

} // namespace taruk::web
