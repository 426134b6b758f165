#include "shell/soft_options_form.h"

TFSoftOptions* FSoftOptions = nullptr;
