#include "shell/new_project_form.h"

TFNew_Project* FNew_Project = nullptr;
