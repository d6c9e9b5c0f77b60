#include "SetupPage.h"

#include "ListEditor.h"

void SetupPage::leave()
{
    for (ListEditor *list : findChildren<ListEditor *>())
        list->clearQuietly();
}
