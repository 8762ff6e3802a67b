#include "models/forecast_text.h"
#include "models/model_program.h"

int main() { return forecast::models::ModelProgramMain("FCSTCNVT", forecast::models::RunForecastConversion); }
