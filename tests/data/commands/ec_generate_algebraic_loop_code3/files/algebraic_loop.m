% Builds the Simulink model algebraic_loop of a bond graph: run this script in MATLAB.
sys = 'algebraic_loop';
bdclose(sys);
new_system(sys);
% element 1, Se: constant effort; the flow it delivers ends in a terminator
add_block('built-in/Constant',[sys '/1e'],'Value','1','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+-','Position',[180-15,78,180+15,78+30]);
% element 3, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/3e'],'Gain','100','Position',[180-15,198,180+15,198+30]);
% element 4, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/4sum'],'Inputs','+++','Position',[300-15,78,300+15,78+30]);
% element 5, R giving flow: f = e/R
add_block('built-in/Gain',[sys '/5f'],'Gain','1/(200)','Position',[270-15,198,270+15,198+30]);
% element 6, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys '/6e'],'Gain','1','Position',[330-15,198,330+15,198+30]);
add_block('built-in/Constant',[sys '/6f'],'Value','0','Position',[330+25,198,330+55,198+30]);
% element 8, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/8sum'],'Inputs','+-','Position',[420-15,78,420+15,78+30]);
% element 9, R giving flow: f = e/R
add_block('built-in/Gain',[sys '/9f'],'Gain','1/(50)','Position',[390-15,198,390+15,198+30]);
% element 10, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/10q'],'InitialCondition','0','Position',[450-15,198,450+15,198+30]);
add_block('built-in/Gain',[sys '/10e'],'Gain','1/(1e-4)','Position',[450+25,198,450+55,198+30]);
add_line(sys,'10q/1','10e/1');
% element 11, scope
add_block('built-in/Scope',[sys '/11scope'],'Position',[480-15,316,480+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'4sum/1','1t/1');
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
set_param(sys,'StopTime','10');
open_system(sys);
