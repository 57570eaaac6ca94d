% Builds the Simulink model two_junctions of a bond graph: run this script in MATLAB.
sys = 'two_junctions';
bdclose(sys);
new_system(sys);
% element 1, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/1sum'],'Inputs','','Position',[126-15,60,126+15,60+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','','Position',[246-15,60,246+15,60+30]);
set_param(sys,'StopTime','10');
open_system(sys);
