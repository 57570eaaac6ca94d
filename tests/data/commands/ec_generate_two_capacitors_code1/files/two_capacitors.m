% Builds the Simulink 1.x model two_capacitors of a bond graph: run this script in MATLAB.
sys = 'two_capacitors';
new_system(sys);
% element 1, Se: constant effort; the flow it delivers is not used
add_block('built-in/Constant',[sys,'/','1e']);
set_param([sys,'/','1e'],'Value','1','position',[60-15,78,60+15,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','2sum']);
set_param([sys,'/','2sum'],'inputs','+-','position',[180-15,78,180+15,78+30]);
% element 3, R giving flow: f = e/R
add_block('built-in/Gain',[sys,'/','3f']);
set_param([sys,'/','3f'],'Gain','1/(100)','position',[180-15,198,180+15,198+30]);
% element 4, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys,'/','4sum']);
set_param([sys,'/','4sum'],'inputs','+--','position',[360-15,78,360+15,78+30]);
% element 5, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys,'/','5q']);
set_param([sys,'/','5q'],'Initial','0','position',[300-15,198,300+15,198+30]);
add_block('built-in/Gain',[sys,'/','5e']);
set_param([sys,'/','5e'],'Gain','1/(2e-3)','position',[300+25,198,300+55,198+30]);
add_line(sys,'5q/1','5e/1');
% element 6, C in derivative causality: f = C*de/dt
add_block('built-in/Derivative',[sys,'/','6de']);
set_param([sys,'/','6de'],'position',[360-15,198,360+15,198+30]);
add_block('built-in/Gain',[sys,'/','6f']);
set_param([sys,'/','6f'],'Gain','1e-3','position',[360+25,198,360+55,198+30]);
add_line(sys,'6de/1','6f/1');
% element 7, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys,'/','7e']);
set_param([sys,'/','7e'],'Gain','1','position',[420-15,198,420+15,198+30]);
add_block('built-in/Constant',[sys,'/','7f']);
set_param([sys,'/','7f'],'Value','0','position',[420+25,198,420+55,198+30]);
% element 9, scope
add_block('built-in/Scope',[sys,'/','9scope']);
set_param([sys,'/','9scope'],'position',[540-15,316,540+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'2sum/1','3f/1');
add_line(sys,'3f/1','4sum/1');
add_line(sys,'5e/1','2sum/2');
add_line(sys,'4sum/1','5q/1');
add_line(sys,'5e/1','6de/1');
add_line(sys,'6f/1','4sum/2');
add_line(sys,'5e/1','7e/1');
add_line(sys,'7f/1','4sum/3');
add_line(sys,'7e/1','9scope/1');
set_param(sys,'Stop time','10');
open_system(sys);
