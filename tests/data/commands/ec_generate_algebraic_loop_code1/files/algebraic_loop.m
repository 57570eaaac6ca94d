% Builds the Simulink 1.x model algebraic_loop of a bond graph: run this script in MATLAB.
sys = 'algebraic_loop';
new_system(sys);
% element 1, Se: constant effort; the flow it delivers is not used
add_block('built-in/Constant',[sys,'/','1e']);
set_param([sys,'/','1e'],'Value','1','position',[60-15,78,60+15,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','2sum']);
set_param([sys,'/','2sum'],'inputs','+-','position',[180-15,78,180+15,78+30]);
% element 3, R giving effort: e = R*f
add_block('built-in/Gain',[sys,'/','3e']);
set_param([sys,'/','3e'],'Gain','100','position',[180-15,198,180+15,198+30]);
% element 4, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys,'/','4sum']);
set_param([sys,'/','4sum'],'inputs','+++','position',[300-15,78,300+15,78+30]);
% element 5, R giving flow: f = e/R
add_block('built-in/Gain',[sys,'/','5f']);
set_param([sys,'/','5f'],'Gain','1/(200)','position',[270-15,198,270+15,198+30]);
% element 6, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys,'/','6e']);
set_param([sys,'/','6e'],'Gain','1','position',[330-15,198,330+15,198+30]);
add_block('built-in/Constant',[sys,'/','6f']);
set_param([sys,'/','6f'],'Value','0','position',[330+25,198,330+55,198+30]);
% element 8, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys,'/','8sum']);
set_param([sys,'/','8sum'],'inputs','+-','position',[420-15,78,420+15,78+30]);
% element 9, R giving flow: f = e/R
add_block('built-in/Gain',[sys,'/','9f']);
set_param([sys,'/','9f'],'Gain','1/(50)','position',[390-15,198,390+15,198+30]);
% element 10, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys,'/','10q']);
set_param([sys,'/','10q'],'Initial','0','position',[450-15,198,450+15,198+30]);
add_block('built-in/Gain',[sys,'/','10e']);
set_param([sys,'/','10e'],'Gain','1/(1e-4)','position',[450+25,198,450+55,198+30]);
add_line(sys,'10q/1','10e/1');
% element 11, scope
add_block('built-in/Scope',[sys,'/','11scope']);
set_param([sys,'/','11scope'],'position',[480-15,316,480+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'4sum/1','3e/1');
add_line(sys,'3e/1','2sum/2');
add_line(sys,'2sum/1','5f/1');
add_line(sys,'5f/1','4sum/1');
add_line(sys,'2sum/1','6e/1');
add_line(sys,'6f/1','4sum/2');
add_line(sys,'2sum/1','8sum/1');
add_line(sys,'9f/1','4sum/3');
add_line(sys,'8sum/1','9f/1');
add_line(sys,'9f/1','10q/1');
add_line(sys,'10e/1','8sum/2');
add_line(sys,'6e/1','11scope/1');
set_param(sys,'Stop time','10');
open_system(sys);
