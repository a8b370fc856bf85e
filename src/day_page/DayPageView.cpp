#include "day_page/DayPageView.h"

DayPageView::~DayPageView() = default;
