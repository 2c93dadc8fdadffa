#include <QChartView>
