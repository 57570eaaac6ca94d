% Builds the Simulink 1.x model parallel_rc of a bond graph: run this script in MATLAB.
sys = 'parallel_rc';
new_system(sys);
% element 1, Sf: constant flow; the effort across it is not used
add_block('built-in/Constant',[sys,'/','1f']);
set_param([sys,'/','1f'],'Value','1e-3','position',[60-15,78,60+15,78+30]);
% element 2, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys,'/','2sum']);
set_param([sys,'/','2sum'],'inputs','+--','position',[180-15,78,180+15,78+30]);
% element 3, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys,'/','3q']);
set_param([sys,'/','3q'],'Initial','0','position',[120-15,198,120+15,198+30]);
add_block('built-in/Gain',[sys,'/','3e']);
set_param([sys,'/','3e'],'Gain','1/(1e-3)','position',[120+25,198,120+55,198+30]);
add_line(sys,'3q/1','3e/1');
% element 4, R giving flow: f = e/R
add_block('built-in/Gain',[sys,'/','4f']);
set_param([sys,'/','4f'],'Gain','1/(1000)','position',[180-15,198,180+15,198+30]);
% element 5, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys,'/','5e']);
set_param([sys,'/','5e'],'Gain','1','position',[240-15,198,240+15,198+30]);
add_block('built-in/Constant',[sys,'/','5f']);
set_param([sys,'/','5f'],'Value','0','position',[240+25,198,240+55,198+30]);
% element 7, scope
add_block('built-in/Scope',[sys,'/','7scope']);
set_param([sys,'/','7scope'],'position',[360-15,316,360+15,316+30]);
add_line(sys,'1f/1','2sum/1');
add_line(sys,'2sum/1','3q/1');
add_line(sys,'3e/1','4f/1');
add_line(sys,'4f/1','2sum/2');
add_line(sys,'3e/1','5e/1');
add_line(sys,'5f/1','2sum/3');
add_line(sys,'5e/1','7scope/1');
set_param(sys,'Stop time','10');
open_system(sys);
