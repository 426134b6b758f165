#include "shell/open_conf_form.h"

TFOpenConf* FOpenConf = nullptr;
