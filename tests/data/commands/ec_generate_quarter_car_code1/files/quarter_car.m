% Builds the Simulink 1.x model quarter_car of a bond graph: run this script in MATLAB.
sys = 'quarter_car';
new_system(sys);
% element 1, Sf: constant flow; the effort across it is not used
add_block('built-in/Constant',[sys,'/','1f']);
set_param([sys,'/','1f'],'Value','0.1','position',[60-15,78,60+15,78+30]);
% element 2, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys,'/','2sum']);
set_param([sys,'/','2sum'],'inputs','+-','position',[180-15,78,180+15,78+30]);
% element 3, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys,'/','3q']);
set_param([sys,'/','3q'],'Initial','0','position',[180-15,198,180+15,198+30]);
add_block('built-in/Gain',[sys,'/','3e']);
set_param([sys,'/','3e'],'Gain','1/(1/160000)','position',[180+25,198,180+55,198+30]);
add_line(sys,'3q/1','3e/1');
% element 4, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','4sum']);
set_param([sys,'/','4sum'],'inputs','+-','position',[300-15,78,300+15,78+30]);
% element 5, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys,'/','5p']);
set_param([sys,'/','5p'],'Initial','0','position',[300-15,198,300+15,198+30]);
add_block('built-in/Gain',[sys,'/','5f']);
set_param([sys,'/','5f'],'Gain','1/(40)','position',[300+25,198,300+55,198+30]);
add_line(sys,'5p/1','5f/1');
% element 6, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys,'/','6sum']);
set_param([sys,'/','6sum'],'inputs','+-','position',[420-15,78,420+15,78+30]);
% element 7, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','7sum']);
set_param([sys,'/','7sum'],'inputs','++','position',[420-15,198,420+15,198+30]);
% element 8, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys,'/','8q']);
set_param([sys,'/','8q'],'Initial','0','position',[360-15,318,360+15,318+30]);
add_block('built-in/Gain',[sys,'/','8e']);
set_param([sys,'/','8e'],'Gain','1/(1/16000)','position',[360+25,318,360+55,318+30]);
add_line(sys,'8q/1','8e/1');
% element 9, R giving effort: e = R*f
add_block('built-in/Gain',[sys,'/','9e']);
set_param([sys,'/','9e'],'Gain','1000','position',[480-15,318,480+15,318+30]);
% element 10, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','10sum']);
set_param([sys,'/','10sum'],'inputs','+-','position',[540-15,78,540+15,78+30]);
% element 11, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys,'/','11p']);
set_param([sys,'/','11p'],'Initial','0','position',[510-15,198,510+15,198+30]);
add_block('built-in/Gain',[sys,'/','11f']);
set_param([sys,'/','11f'],'Gain','1/(250)','position',[510+25,198,510+55,198+30]);
add_line(sys,'11p/1','11f/1');
% element 12, Df: the flow of its bond on the signal output; no effort across it
add_block('built-in/Gain',[sys,'/','12f']);
set_param([sys,'/','12f'],'Gain','1','position',[570-15,198,570+15,198+30]);
add_block('built-in/Constant',[sys,'/','12e']);
set_param([sys,'/','12e'],'Value','0','position',[570+25,198,570+55,198+30]);
% element 14, scope
add_block('built-in/Scope',[sys,'/','14scope']);
set_param([sys,'/','14scope'],'position',[690-15,316,690+15,316+30]);
add_line(sys,'1f/1','2sum/1');
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
set_param(sys,'Stop time','10');
open_system(sys);
