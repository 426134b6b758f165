#include "tables/topic_template_form.h"

TFTopicTemplate* FTopicTemplate = nullptr;
