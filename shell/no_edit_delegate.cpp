#include "no_edit_delegate.h"

NoEditDelegate::~NoEditDelegate() = default;
