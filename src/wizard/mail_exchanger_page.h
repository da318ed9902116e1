// Page IV on the MX branch: the mail exchangers of the domain.
#pragma once

#include "record_page.h"

class Form6 : public RecordPage {
    Q_OBJECT
public:
    Form6();
};
