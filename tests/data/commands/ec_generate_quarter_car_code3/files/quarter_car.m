% Builds the Simulink model quarter_car of a bond graph: run this script in MATLAB.
sys = 'quarter_car';
bdclose(sys);
new_system(sys);
% element 1, Sf: constant flow; the effort across it ends in a terminator
add_block('built-in/Constant',[sys '/1f'],'Value','0.1','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+-','Position',[180-15,78,180+15,78+30]);
% element 3, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/3q'],'InitialCondition','0','Position',[180-15,198,180+15,198+30]);
add_block('built-in/Gain',[sys '/3e'],'Gain','1/(1/160000)','Position',[180+25,198,180+55,198+30]);
add_line(sys,'3q/1','3e/1');
% element 4, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/4sum'],'Inputs','+-','Position',[300-15,78,300+15,78+30]);
% element 5, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/5p'],'InitialCondition','0','Position',[300-15,198,300+15,198+30]);
add_block('built-in/Gain',[sys '/5f'],'Gain','1/(40)','Position',[300+25,198,300+55,198+30]);
add_line(sys,'5p/1','5f/1');
% element 6, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/6sum'],'Inputs','+-','Position',[420-15,78,420+15,78+30]);
% element 7, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/7sum'],'Inputs','++','Position',[420-15,198,420+15,198+30]);
% element 8, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/8q'],'InitialCondition','0','Position',[360-15,318,360+15,318+30]);
add_block('built-in/Gain',[sys '/8e'],'Gain','1/(1/16000)','Position',[360+25,318,360+55,318+30]);
add_line(sys,'8q/1','8e/1');
% element 9, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/9e'],'Gain','1000','Position',[480-15,318,480+15,318+30]);
% element 10, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/10sum'],'Inputs','+-','Position',[540-15,78,540+15,78+30]);
% element 11, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/11p'],'InitialCondition','0','Position',[510-15,198,510+15,198+30]);
add_block('built-in/Gain',[sys '/11f'],'Gain','1/(250)','Position',[510+25,198,510+55,198+30]);
add_line(sys,'11p/1','11f/1');
% element 12, Df: the flow of its bond on the signal output; no effort across it
add_block('built-in/Gain',[sys '/12f'],'Gain','1','Position',[570-15,198,570+15,198+30]);
add_block('built-in/Constant',[sys '/12e'],'Value','0','Position',[570+25,198,570+55,198+30]);
% element 14, scope
add_block('built-in/Scope',[sys '/14scope'],'Position',[690-15,316,690+15,316+30]);
add_line(sys,'1f/1','2sum/1');
add_line(sys,'3e/1','1t/1');
add_line(sys,'2sum/1','3q/1');
add_line(sys,'3e/1','4sum/1');
add_line(sys,'5f/1','2sum/2');
add_line(sys,'4sum/1','5p/1');
add_line(sys,'5f/1','6sum/1');
add_line(sys,'7sum/1','4sum/2');
add_line(sys,'6sum/1','8q/1');
add_line(sys,'8e/1','7sum/1');
add_line(sys,'6sum/1','9e/1');
add_line(sys,'9e/1','7sum/2');
add_line(sys,'7sum/1','10sum/1');
add_line(sys,'11f/1','6sum/2');
add_line(sys,'10sum/1','11p/1');
add_line(sys,'11f/1','12f/1');
add_line(sys,'12e/1','10sum/2');
add_line(sys,'12f/1','14scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
