// The month's verdict in the report: ラゴ rates the month by its income alone.
#pragma once

const char* MonthlyVerdict(int income);
