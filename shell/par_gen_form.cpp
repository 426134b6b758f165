#include "shell/par_gen_form.h"

TFParGen* FParGen = nullptr;
