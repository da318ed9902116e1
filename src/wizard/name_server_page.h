// Page IV on the NS branch: the name servers of the domain.
#pragma once

#include "record_page.h"

class Form5 : public RecordPage {
    Q_OBJECT
public:
    Form5();
};
